#pragma once
// Lvsize's own pictures: the five tree images.

namespace zel::wx {
class WxHost;
}

void RegisterLvsizeBitmaps(zel::wx::WxHost& host);
