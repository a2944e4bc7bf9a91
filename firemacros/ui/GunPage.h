#pragma once
// The gun page (page 5): its hidden fire macro editor shown by a double click on the page
// background (Img_Base_5DblClick). The gun table, the gun key list and the page's own handlers
// belong here; the fire macro editor's list and record handlers are in FireMacroEditor.

class QWidget;

namespace tarq {

class Controls;

class GunPage {
public:
    explicit GunPage(Controls& controls);

    // Connects the double click on the page background.
    void Wire();

    // Shows the fire macro editor and its lists, which the page keeps hidden until then.
    void Img_Base_5DblClick();

private:
    Controls& controls_;
};

} // namespace tarq
