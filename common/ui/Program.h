#pragma once
// Which of the three programs is running: the about box's texts and the invalid fields' colour differ.

#include "ValidityColors.h"

enum class Program { Lvsize, Mvsize, Protdev };

namespace zel::ui {

constexpr COLORREF InvalidBackgroundOf(Program p) {
    switch (p) {
    case Program::Lvsize: return kLvsizeInvalidBackground;
    case Program::Mvsize: return kMvsizeInvalidBackground;
    case Program::Protdev: return kProtdevInvalidBackground;
    }
    return kLvsizeInvalidBackground;
}

}  // namespace zel::ui
