#include "firemacros/ui/GunPage.h"

#include "ui/Controls.h"
#include "ui/SkinLabel.h"

namespace tarq {

GunPage::GunPage(Controls& controls) : controls_(controls) {}

void GunPage::Wire()
{
    if (auto* base = controls_.get<TSkinLabel>("Img_Base_5"))
        QObject::connect(base, &TSkinLabel::doubleClicked, base, [this] { Img_Base_5DblClick(); });
}

void GunPage::Img_Base_5DblClick()
{
    for (const char* name : {"Gb_FireEditor", "Btn_FireStart", "Img_FireStart", "LB_FireMacroName",
                             "LB_FireMacro", "GB_FireDelay", "Img_FireDelay"})
        if (QWidget* w = controls_.get(name))
            w->show();
}

} // namespace tarq
