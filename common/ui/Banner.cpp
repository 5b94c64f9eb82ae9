#include "Banner.h"

#include "DialogRunner.h"
#include "AppContext.h"

DialogTemplate BannerTemplate(int dialogId, int bitmapId) {
    DialogTemplate t;
    t.id = dialogId;
    t.style = tmpl::NoCaption | tmpl::FixedSize;
    t.width = kBannerWidth;
    t.height = kBannerHeight;
    t.controls = {
        Picture(IDC_STATIC, bitmapId, 0, 0).Span(2),
        Label("", 1, 0, 1000),
        Label("", 1, 1, 1001),
    };
    return t;
}

std::unique_ptr<CDialog> ShowBanner(const DialogTemplate& bannerTemplate) {
    auto banner = std::make_unique<CDialog>(bannerTemplate);
    if (!banner->Create()) return nullptr;
    DialogRunner* runner = AppContext().dialogs;
    const CSize screen = runner ? runner->GetScreenSize() : CSize{1024, 768};
    banner->SetWindowPos(nullptr, screen.cx / 2 - 248, screen.cy - 146, kBannerWidth, kBannerHeight, 0);
    banner->ShowWindow(SW_SHOW);
    return banner;
}
