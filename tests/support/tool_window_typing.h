#pragma once

// Typing into a tool window as a person does: a field's text typed key by key
// over what it held, or a list's entry chosen by its text. Only a field the
// window lets a person type into takes typing.

#include "tooldlgs/tool_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

struct Typing {
    int id;
    const char* text;
};

inline void Apply(velmaro::CToolWindow& window, const Typing& typing) {
    if (auto* list = window.DlgItem<QComboBox>(typing.id)) {
        const int entry = list->findText(QString::fromUtf8(typing.text));
        QVERIFY2(entry >= 0, typing.text);
        list->setCurrentIndex(entry);
        emit list->activated(entry);
        return;
    }
    auto* field = window.DlgItem<QLineEdit>(typing.id);
    QVERIFY2(field->isEnabled() && !field->isReadOnly(), typing.text);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, QString::fromUtf8(typing.text));
}
