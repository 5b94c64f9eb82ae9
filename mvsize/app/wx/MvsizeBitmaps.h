#pragma once
// Mvsize's own pictures: the three tree images.

namespace zel::wx {
class WxHost;
}

void RegisterMvsizeBitmaps(zel::wx::WxHost& host);
