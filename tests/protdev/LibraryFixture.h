#pragma once
// Small device libraries for Protdev's tests: the four tables with their Jet types, a few devices, and the
// rows of a device read back as text for comparing.

#include "AppContext.h"
#include "Clock.h"
#include "MessageService.h"
#include "TestSupport.h"

#include <memory>
#include <string>
#include <vector>

class CDaoDatabase;

namespace prottest {

// The four tables, empty.
extern const char* const kLibrarySchema;
// Two 220 V breakers (codes 1, 2: ratings 16 and 25, code 1 with two curve points on 16), one 380 V
// breaker (3) and one fuse (4: ratings 10 and 20).
extern const char* const kSampleRows;

// Every row of the four tables for one device, one line per row in stored order:
// "D|code|description|voltage", "B|code|rating|t5s|ruptura|alfa|7 magnetic|mag min", "P|code|rating|I|I2t",
// "F|code|rating|t5s|ruptura|alfa"; numbers as SQLite gives them back.
std::vector<std::string> DeviceRows(const std::string& path, int code);
// All rows of all four tables (the library's whole content) in the same form.
std::vector<std::string> AllRows(const std::string& path);

// A scratch folder holding "ZelBt01.zel", that folder as the current directory, and a context with
// recorded message boxes and a fixed clock.
class ProtdevFixture {
public:
    explicit ProtdevFixture(const std::string& rows = kSampleRows);
    ~ProtdevFixture();
    std::string LibraryPath() const { return dir.File("ZelBt01.zel"); }
    std::string Log() const;

    zeltest::TempDir dir;
    RecordingMessageService messages;
    FixedClock clock{{2008, 3, 7, 9, 5, 0}};
    CAppContext context;

private:
    std::unique_ptr<ScopedAppContext> m_scoped;
    std::unique_ptr<zeltest::ScopedCurrentDir> m_cwd;
};

}  // namespace prottest
