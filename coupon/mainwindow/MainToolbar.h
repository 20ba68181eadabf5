#pragma once

// The main window's toolbar CoolBar1: a band ToolBar1 of picture buttons,
// each with its caption under its picture, each bound to one of the
// window's commands.

#include "kit/WindowLayout.h"

#include <QFrame>

#include <span>

class QAction;

class TMainToolbar : public QFrame {
    Q_OBJECT
public:
    struct TButton {
        TPlace place;
        const char *picture; // a resource of the artwork
        QAction *action;
        // The status-bar hint "|text" of a button that does not take its
        // command's.
        const char *ownHint = nullptr;
    };

    TMainToolbar(QWidget *window, std::span<const TButton> buttons);
};
