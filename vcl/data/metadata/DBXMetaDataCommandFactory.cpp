#include "vcl/data/metadata/DBXMetaDataCommandFactory.h"

#include "vcl/data/DBXCommon.h"
#include "vcl/rtl/ClassRegistry.h"

namespace {
bool IsFactoryClass(TClass AClass) {
  return AClass && AClass->NewInstance &&
         TObject::ClassInheritsFrom(AClass, TDBXMetaDataCommandFactory::StaticClass());
}
}  // namespace

void TDBXMetaDataCommandFactory::RegisterMetaDataCommandFactory(TClass AFactoryClass) {
  if (!IsFactoryClass(AFactoryClass))
    throw EArgumentException(
        Format(L"%s is not a creatable metadata command factory class",
               {AFactoryClass ? String(AFactoryClass->Name) : String(L"(nil)")}));
  RegisterClass(AFactoryClass);
}

void TDBXMetaDataCommandFactory::UnRegisterMetaDataCommandFactory(TClass AFactoryClass) {
  UnRegisterClass(AFactoryClass);
}

std::unique_ptr<TDBXMetaDataCommandFactory> TDBXMetaDataCommandFactory::CreateFromLoader(
    const String& ALoader) {
  const String className = Trim(ALoader.substr(0, ALoader.find(L',')));
  const TClass factoryClass = GetClass(className);
  if (!IsFactoryClass(factoryClass))
    throw TDBXError(Format(L"Metadata command factory \"%s\" is not registered", {className}));
  return std::unique_ptr<TDBXMetaDataCommandFactory>(
      static_cast<TDBXMetaDataCommandFactory*>(TObject::CreateInstance(factoryClass)));
}
