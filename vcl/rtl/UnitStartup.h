#pragma once
// Explicit unit start-up and shut-down. Each program lists its units in link
// order in one table; start-up runs them in that order, shut-down in reverse.
#include <vector>

struct TUnitEntry {
  const wchar_t* Name;
  void (*Initialize)();  // may be null
  void (*Finalize)();    // may be null
};
using TUnitTable = std::vector<TUnitEntry>;

// Defined once by every program (the tool, each test executable).
const TUnitTable& ProgramUnits();

// Runs the start-up of every unit in order; the destructor runs the shut-down
// of those that started, in reverse. A start-up that raises stops the start:
// the units already started are shut down and the exception passes on.
class TUnitStartup {
public:
  explicit TUnitStartup(const TUnitTable& units = ProgramUnits());
  ~TUnitStartup();
  TUnitStartup(const TUnitStartup&) = delete;
  TUnitStartup& operator=(const TUnitStartup&) = delete;

private:
  void ShutDown() noexcept;
  const TUnitTable& FUnits;
  size_t FStarted = 0;
};
