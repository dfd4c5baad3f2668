#pragma once
// Metadata command factories: a driver's "MetaDataPackageLoader" property
// names its factory class ("class,package"); the factory, found by that name
// in the class registry, creates the driver's metadata reader.
#include "vcl/data/metadata/DBXMetaDataReader.h"

class TDBXMetaDataCommandFactory : public TObject {
  VCL_CLASS(TDBXMetaDataCommandFactory, TObject)
public:
  TDBXMetaDataCommandFactory() = default;
  virtual std::unique_ptr<TDBXBaseMetaDataReader> CreateMetaDataReader() = 0;

  // Registers a creatable factory class under its own name
  // (EArgumentException for any other class).
  static void RegisterMetaDataCommandFactory(TClass AFactoryClass);
  static void UnRegisterMetaDataCommandFactory(TClass AFactoryClass);
  // A new factory of the class named before the first "," of a
  // "MetaDataPackageLoader" value; TDBXError when no such factory is
  // registered.
  static std::unique_ptr<TDBXMetaDataCommandFactory> CreateFromLoader(const String& ALoader);
};
