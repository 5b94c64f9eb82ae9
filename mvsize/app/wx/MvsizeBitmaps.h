#pragma once
// Mvsize's own pictures: the three tree images and the tool-bar buttons Lvsize has not.

namespace zel::wx {
class WxHost;
}

void RegisterMvsizeBitmaps(zel::wx::WxHost& host);
