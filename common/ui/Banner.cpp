#include "Banner.h"

#include "DialogRunner.h"
#include "AppContext.h"

namespace {

struct OwnTemplate {
    DialogTemplate banner;
};

// Up for the whole run: Enter, Escape and the close box leave it as it is. It keeps its own copy of the
// template, which callers build on the fly.
class CBannerDlg : private OwnTemplate, public CDialog {
public:
    explicit CBannerDlg(const DialogTemplate& t) : OwnTemplate{t}, CDialog(OwnTemplate::banner) {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};

}  // namespace

DialogTemplate BannerTemplate(int dialogId, int bitmapId) {
    DialogTemplate t;
    t.id = dialogId;
    t.style = tmpl::NoCaption | tmpl::FixedSize | tmpl::Banner;
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
    std::unique_ptr<CDialog> banner = std::make_unique<CBannerDlg>(bannerTemplate);
    if (!banner->Create()) return nullptr;
    DialogRunner* runner = AppContext().dialogs;
    const CSize screen = runner ? runner->GetScreenSize() : CSize{1024, 768};
    banner->SetWindowPos(nullptr, screen.cx / 2 - 248, screen.cy - 146, kBannerWidth, kBannerHeight, 0);
    banner->ShowWindow(SW_SHOW);
    return banner;
}
