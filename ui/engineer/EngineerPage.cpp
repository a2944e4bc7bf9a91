#include "ui/engineer/EngineerPage.h"

#include <QTabWidget>

#include "app/FormState.h"
#include "ui/Controls.h"
#include "ui/SkinLabel.h"

namespace tarq {

EngineerPage::EngineerPage(FormState& state, Controls& controls) : state_(state), controls_(controls) {}

void EngineerPage::Wire()
{
    if (auto* logo = controls_.get<TSkinLabel>("Img_Logo4"))
        QObject::connect(logo, &TSkinLabel::doubleClicked, logo, [this] { Img_Logo4DblClick(); });
}

void EngineerPage::Img_Logo4DblClick()
{
    if (auto* tabs = controls_.get<QTabWidget>("Pg_Parameter"))
        if (QWidget* engineer = controls_.get("ts_Engineer"))
            tabs->setTabVisible(tabs->indexOf(engineer), true);
    for (const char* name : {"Btn_Default", "Btn_ImportGunMacro"})
        if (QWidget* w = controls_.get(name))
            w->show();
    for (const char* name : {"gbLEDType", "rb_MCULED", "rb_RBLED", "rb_SyncLED", "rb_BreLED",
                             "lbl_SensorOri", "cb_SensorOri"})
        if (QWidget* w = controls_.get(name))
            w->setEnabled(true);
}

} // namespace tarq
