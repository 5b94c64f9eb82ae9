#pragma once
// What is on screen, for tests that drive the programs with real X input: when the environment names a
// file in ZEL_UI_PROBE, the host rewrites it whenever the windows change (titles, controls by id with their
// state and screen rectangles, list and tree items, menus, tool buttons, message boxes). The format is
// described in tests/gui/README.md.

#include <memory>
#include <string>

class wxTimer;

namespace zel::wx {

class UiProbe {
public:
    // A probe when ZEL_UI_PROBE names a file, else null. wx must be running.
    static std::unique_ptr<UiProbe> StartIfAsked();
    explicit UiProbe(std::string path);
    ~UiProbe();
    UiProbe(const UiProbe&) = delete;
    UiProbe& operator=(const UiProbe&) = delete;

private:
    void Write();

    std::string m_path;
    std::string m_last;
    long m_serial = 0;
    std::unique_ptr<wxTimer> m_timer;
};

}  // namespace zel::wx
