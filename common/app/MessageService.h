#pragma once
// Message boxes as the programs ask for them: text, caption, icon and buttons by the Win32 numbers the
// callers use, answered by the button that was pressed.

#include <deque>
#include <string>
#include <vector>

inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_BUTTON_MASK = 0xF;
inline constexpr unsigned MB_ICON_MASK = 0xF0;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

class IMessageService {
public:
    virtual ~IMessageService() = default;
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;
};

// For tests and headless runs: keeps what was shown, answers from a script (or with the default button:
// OK, or Yes for a question).
class RecordingMessageService : public IMessageService {
public:
    struct Shown {
        std::string text;
        std::string caption;
        unsigned type = 0;
    };
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    void Answer(int button) { m_answers.push_back(button); }

    std::vector<Shown> shown;

private:
    std::deque<int> m_answers;
};
