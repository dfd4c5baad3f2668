#pragma once
// What a metadata reader needs of its connection: running a query with
// named parameters, the driver's vendor properties and the server version.
#include <optional>

#include "vcl/data/metadata/DBXMetaDataTable.h"

// A named query parameter (":NAME" in the text); no value means NULL.
struct TDBXQueryParameter {
  String Name;
  std::optional<String> Value;
};
using TDBXQueryParameters = std::vector<TDBXQueryParameter>;

class TDBXProviderContext {
public:
  virtual ~TDBXProviderContext() = default;
  // Runs a SELECT; the parameters given are the ones the text uses.
  virtual std::unique_ptr<TDBXTable> ExecuteQuery(const String& ASql,
                                                  const TDBXQueryParameters& AParameters) = 0;
  // A property of the connection's driver, empty when it has none.
  virtual String GetVendorProperty(const String& AName) = 0;
  // The server's version text, such as "10.50.1600".
  virtual String ProductVersion() = 0;
};
