#include "MessageService.h"

int RecordingMessageService::MessageBox(const std::string& text, const std::string& caption, unsigned type)
{
    shown.push_back({text, caption, type});
    if (!m_answers.empty()) {
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    switch (type & MB_BUTTON_MASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return IDYES;
    default:
        return IDOK;
    }
}
