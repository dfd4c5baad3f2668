#include "vcl/data/metadata/DBXMetaDataWriterFactory.h"

#include <map>

#include "vcl/data/DBXCommon.h"

namespace {
std::map<String, TClass>& Writers() {
  static std::map<String, TClass> writers;  // key: upper-cased dialect
  return writers;
}
}  // namespace

void TDBXMetaDataWriterFactory::RegisterWriter(const String& ADialect, TClass AWriterClass) {
  if (!AWriterClass || !AWriterClass->NewInstance ||
      !TObject::ClassInheritsFrom(AWriterClass, TDBXBaseMetaDataWriter::StaticClass()))
    throw EArgumentException(
        Format(L"%s is not a creatable metadata writer class",
               {AWriterClass ? String(AWriterClass->Name) : String(L"(nil)")}));
  Writers()[UpperCase(ADialect)] = AWriterClass;
}

void TDBXMetaDataWriterFactory::UnRegisterWriter(const String& ADialect) {
  Writers().erase(UpperCase(ADialect));
}

TClass TDBXMetaDataWriterFactory::FindWriterClass(const String& ADialect) {
  const auto found = Writers().find(UpperCase(ADialect));
  return found == Writers().end() ? nullptr : found->second;
}

std::unique_ptr<TDBXBaseMetaDataWriter> TDBXMetaDataWriterFactory::CreateWriter(
    const String& ADialect) {
  const TClass writerClass = FindWriterClass(ADialect);
  if (!writerClass)
    throw TDBXError(Format(L"No metadata writer is registered for \"%s\"", {ADialect}));
  // Registration checked the class: the instance is a writer, opened by its
  // constructor.
  return std::unique_ptr<TDBXBaseMetaDataWriter>(
      static_cast<TDBXBaseMetaDataWriter*>(TObject::CreateInstance(writerClass)));
}
