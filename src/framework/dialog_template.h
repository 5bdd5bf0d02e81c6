#pragma once

// Dialog templates as data: what a window holds, in template order. The
// template order is also the tab order and the drawing order (the first
// control lies on top). Coordinates are dialog units, measured from the
// top-left corner of the client area. Texts, the title and the face are given
// as they are or named by text id (framework/template_text.h).

#include "framework/template_text.h"

#include <span>

namespace velmaro::fw {

enum class ControlKind {
    Edit,          // single-line edit box with border and horizontal auto-scroll
    Label,         // left-aligned static text
    GroupBox,      // framed caption
    PushButton,    // push button
    DefPushButton, // the dialog's default push button
    PushLikeRadio, // automatic radio button drawn like a push button
    DropDownList,  // combo box that only allows choosing from its list
    Bitmap,        // static showing a bitmap resource at its own size
    Icon,          // static showing an icon resource at its own size
    LinkStatic,    // static text that reports clicks
    BlackFrame,    // black rectangle frame
};

// Style bits of a control beyond its kind.
enum ControlStyle : unsigned {
    kStyleNone = 0,
    kStyleTabStop = 1U << 0,
    kStyleGroup = 1U << 1,   // starts a new control group (radio groups end here)
    kStyleHidden = 1U << 2,  // created without the visible style
    kStyleCentred = 1U << 3, // group box caption centred on the top edge; centred text
    // An edit that shows a computed value and takes no typing.
    kStyleReadOnly = 1U << 4,
};

inline constexpr int kNoId = -1;

struct DuRect {
    int x;
    int y;
    int width;
    int height;
};

struct ControlTemplate {
    int id = kNoId; // kNoId for a control without an id
    ControlKind kind = ControlKind::Label;
    TemplateText text; // empty for pictures
    DuRect rect{};
    unsigned style = kStyleNone;
    int resource = 0; // bitmap or icon resource number of a picture
};

// Window kinds of a dialog frame.
enum DialogStyle : unsigned {
    kDialogNone = 0,
    kDialogMinimizeBox = 1U << 0,
    kDialogOwnTaskbarButton = 1U << 1, // an application window, not a tool dialog
};

struct DialogTemplate {
    int id = kNoId;
    TemplateText title; // may be empty and set at run time
    int width = 0;      // dialog units
    int height = 0;
    TemplateText fontFace; // the face the template names ("SimSun", "System")
    int fontPointSize = 0;
    unsigned style = kDialogNone;
    std::span<const ControlTemplate> controls;
};

} // namespace velmaro::fw
