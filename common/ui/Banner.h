#pragma once
// The banner strip at the bottom of the screen: a modeless dialog of 496 by 88 pixels with the banner
// bitmap and two empty texts, up for the whole run.

#include "Dialog.h"

#include <memory>

inline constexpr int kBannerWidth = 496;
inline constexpr int kBannerHeight = 88;

// The banner template (Lvsize: dialog 168, bitmap 170; Mvsize: dialog 161, bitmap 163).
DialogTemplate BannerTemplate(int dialogId, int bitmapId);

// Creates the banner from its template, places it on top at x = screen width / 2 - 248, y = screen height
// - 146, 496 by 88, and shows it; no key and no close box takes it down. The caller (the application
// object) keeps it for the run; null when it cannot be made (passed over, as the programs do).
std::unique_ptr<CDialog> ShowBanner(const DialogTemplate& bannerTemplate);
