#pragma once
// Lvsize's own pictures: the five tree images and the splash.

namespace zel::wx {
class WxHost;
}

void RegisterLvsizeBitmaps(zel::wx::WxHost& host);
