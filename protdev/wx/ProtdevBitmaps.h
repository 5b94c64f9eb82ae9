#pragma once
// Protdev's own pictures: the tree images (breaker, fuse, voltage) and the splash.

namespace zel::wx {
class WxHost;
}

void RegisterProtdevBitmaps(zel::wx::WxHost& host);
