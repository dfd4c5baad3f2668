#pragma once
// The process-wide list of metadata writer classes by dialect name (the
// driver's product name, compared without regard to case).
#include "vcl/data/metadata/DBXMetaDataWriter.h"

class TDBXMetaDataWriterFactory {
public:
  // AWriterClass must derive from TDBXBaseMetaDataWriter and be creatable
  // (EArgumentException otherwise). A later registration of a dialect
  // replaces the earlier one.
  static void RegisterWriter(const String& ADialect, TClass AWriterClass);
  static void UnRegisterWriter(const String& ADialect);
  // The dialect's writer class, nullptr when none is registered.
  static TClass FindWriterClass(const String& ADialect);
  // A new, opened writer of the dialect; TDBXError when none is registered.
  static std::unique_ptr<TDBXBaseMetaDataWriter> CreateWriter(const String& ADialect);
};
