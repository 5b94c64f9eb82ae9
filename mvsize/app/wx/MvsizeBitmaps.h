#pragma once
// Mvsize's own pictures: the three tree images and the splash.

namespace zel::wx {
class WxHost;
}

void RegisterMvsizeBitmaps(zel::wx::WxHost& host);
