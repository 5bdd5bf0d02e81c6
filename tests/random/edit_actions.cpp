#include "edit_actions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

namespace velmaro::test {
namespace {

struct TypedCharacter {
    const char* text; // UTF-8
    Qt::Key key;
};

// What a user types into a unit field, numbers first: digits, the characters
// of a number, blanks, letters, and characters an input method produces
// (full-width digits and punctuation, the degree sign).
constexpr TypedCharacter kNumberCharacters[] = {
    {"0", Qt::Key_0}, {"1", Qt::Key_1}, {"2", Qt::Key_2}, {"3", Qt::Key_3}, {"4", Qt::Key_4},
    {"5", Qt::Key_5}, {"6", Qt::Key_6}, {"7", Qt::Key_7}, {"8", Qt::Key_8}, {"9", Qt::Key_9},
};
constexpr TypedCharacter kPunctuation[] = {
    {".", Qt::Key_Period}, {".", Qt::Key_Period}, {"-", Qt::Key_Minus}, {"-", Qt::Key_Minus},
    {"+", Qt::Key_Plus},   {"e", Qt::Key_E},      {"e", Qt::Key_E},     {"E", Qt::Key_E},
    {" ", Qt::Key_Space},  {",", Qt::Key_Comma},
};
constexpr TypedCharacter kOthers[] = {
    {"a", Qt::Key_A},        {"b", Qt::Key_B},        {"x", Qt::Key_X},
    {"n", Qt::Key_N},        {"i", Qt::Key_I},        {"f", Qt::Key_F},
    {"z", Qt::Key_Z},        {"K", Qt::Key_K},        {"°", Qt::Key_unknown},
    {"。", Qt::Key_unknown}, {"１", Qt::Key_unknown}, {"，", Qt::Key_unknown},
    {"中", Qt::Key_unknown},
};

struct KeyStroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

constexpr KeyStroke kDeletions[] = {
    {Qt::Key_Backspace, Qt::NoModifier},
    {Qt::Key_Backspace, Qt::NoModifier},
    {Qt::Key_Delete, Qt::NoModifier},
};
constexpr KeyStroke kCaretKeys[] = {
    {Qt::Key_Left, Qt::NoModifier},
    {Qt::Key_Right, Qt::NoModifier},
    {Qt::Key_Home, Qt::NoModifier},
    {Qt::Key_End, Qt::NoModifier},
    {Qt::Key_Left, Qt::ShiftModifier},
    {Qt::Key_Right, Qt::ShiftModifier},
    {Qt::Key_Left, Qt::ShiftModifier},
    {Qt::Key_Right, Qt::ShiftModifier},
    {Qt::Key_Home, Qt::ShiftModifier},
    {Qt::Key_End, Qt::ShiftModifier},
    {Qt::Key_Left, Qt::ControlModifier},
    {Qt::Key_Right, Qt::ControlModifier},
    {Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier},
    {Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier},
};
constexpr KeyStroke kWordAndAllKeys[] = {
    {Qt::Key_Backspace, Qt::ControlModifier},
    {Qt::Key_Delete, Qt::ControlModifier},
    {Qt::Key_A, Qt::ControlModifier},
};

// Texts that land in a field whole: numbers of every shape, text that reads
// as 0, magnitudes beyond the double range, and sensor values near the edges
// of their ranges.
constexpr const char* kPastedTexts[] = {
    "1",      "25",    "-2.5",     "1e3",   " 12abc", "1e999", "-1e999",
    "1e-400", "abc",   "0.000001", "-0",    "-",      ".",     "1.5e",
    "e5",     "  7",   "3.14159",  "100",   "1372",   "138.5", "4.096230",
    "54.886", "0x1A",  "inf",      "nan",   "1,5",    "１２",  "-273.15",
    "1820",   "0.033", "18.52",    "1e308", "-1e-7",  "",      "123456789012345678901234567890",
};

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

QString RandomDigits(RandomSource& random, int count) {
    QString digits;
    for (int i = 0; i < count; ++i) {
        digits.append(QChar(u'0' + random.Below(10)));
    }
    return digits;
}

QString KeyName(int key, Qt::KeyboardModifiers modifiers) {
    return QKeySequence(static_cast<int>(modifiers) | key).toString(QKeySequence::PortableText);
}

} // namespace

void EditAction::ApplyTo(QLineEdit& edit) const {
    switch (kind) {
    case Kind::TypeText:
        QTest::sendKeyEvent(QTest::Click, &edit, static_cast<Qt::Key>(key), text, Qt::NoModifier);
        break;
    case Kind::Key:
        QTest::keyClick(&edit, static_cast<Qt::Key>(key), modifiers);
        break;
    case Kind::Paste:
        QGuiApplication::clipboard()->setText(text);
        if (viaKeyboard) {
            QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            edit.paste();
        }
        break;
    case Kind::Insert:
        edit.insert(text);
        break;
    case Kind::Cut:
        if (viaKeyboard) {
            QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
        } else {
            edit.cut();
        }
        break;
    case Kind::SetSelection:
        edit.setSelection(start, length);
        break;
    }
}

QString EditAction::Describe() const {
    const auto quoted = [](const QString& text) {
        return QLatin1Char('"') +
               (text.size() > 40 ? text.left(20) + QStringLiteral("...(") +
                                       QString::number(text.size()) + QStringLiteral(" chars)")
                                 : text) +
               QLatin1Char('"');
    };
    switch (kind) {
    case Kind::TypeText:
        return QStringLiteral("type ") + quoted(text);
    case Kind::Key:
        return QStringLiteral("key ") + KeyName(key, modifiers);
    case Kind::Paste:
        return (viaKeyboard ? QStringLiteral("Ctrl+V ") : QStringLiteral("paste ")) + quoted(text);
    case Kind::Insert:
        return QStringLiteral("insert ") + quoted(text);
    case Kind::Cut:
        return viaKeyboard ? QStringLiteral("Ctrl+X") : QStringLiteral("cut");
    case Kind::SetSelection:
        return QStringLiteral("select %1%2%3")
            .arg(start)
            .arg(length < 0 ? QStringLiteral("") : QStringLiteral("+"))
            .arg(length);
    }
    return {};
}

EditAction RandomEditAction(RandomSource& random, const QString& current) {
    const int size = static_cast<int>(current.size());
    EditAction action;

    if (random.Below(1000) < 3) {
        // A text longer than the exchange compares: the field's own handler
        // writes it again.
        action.kind = EditAction::Kind::Paste;
        action.text = QStringLiteral("1") + RandomDigits(random, 250 + random.Below(60));
        return action;
    }
    if (size > 24 && random.Chance(40)) {
        if (random.Chance(50)) {
            action.kind = EditAction::Kind::SetSelection;
            action.start = 0;
            action.length = size;
        } else {
            action.kind = EditAction::Kind::Key;
            action.key = Qt::Key_Backspace;
        }
        return action;
    }

    const int roll = random.Below(100);
    if (roll < 45) {
        const int family = random.Below(100);
        const TypedCharacter& typed = family < 60   ? random.Pick(kNumberCharacters)
                                      : family < 85 ? random.Pick(kPunctuation)
                                                    : random.Pick(kOthers);
        action.kind = EditAction::Kind::TypeText;
        action.text = Utf8(typed.text);
        action.key = typed.key;
    } else if (roll < 77) {
        const KeyStroke& stroke = roll < 57   ? random.Pick(kDeletions)
                                  : roll < 71 ? random.Pick(kCaretKeys)
                                              : random.Pick(kWordAndAllKeys);
        action.kind = EditAction::Kind::Key;
        action.key = stroke.key;
        action.modifiers = stroke.modifiers;
    } else if (roll < 85) {
        action.kind = EditAction::Kind::Paste;
        action.viaKeyboard = random.Chance(50);
        action.text = random.Chance(80) ? Utf8(random.Pick(kPastedTexts))
                                        : RandomDigits(random, 1 + random.Below(12));
    } else if (roll < 89) {
        action.kind = EditAction::Kind::Insert;
        action.text = Utf8(random.Pick(kPastedTexts));
    } else if (roll < 92) {
        action.kind = EditAction::Kind::Cut;
        action.viaKeyboard = random.Chance(50);
    } else {
        action.kind = EditAction::Kind::SetSelection;
        action.start = random.Below(size + 1);
        action.length = random.Below(size - action.start + 1);
        if (action.length > 0 && random.Chance(30)) {
            // The same characters selected from their end back to their start.
            action.start += action.length;
            action.length = -action.length;
        }
    }
    return action;
}

void CopyEditState(const QLineEdit& edit, QLineEdit& reference) {
    reference.setText(edit.text());
    if (!edit.hasSelectedText()) {
        reference.setCursorPosition(edit.cursorPosition());
        return;
    }
    const int start = edit.selectionStart();
    const int length = static_cast<int>(edit.selectedText().size());
    if (edit.cursorPosition() == start) {
        reference.setSelection(start + length, -length);
    } else {
        reference.setSelection(start, length);
    }
}

QString DescribeEditState(const QLineEdit& edit) {
    QString text = edit.text();
    QString state;
    if (text.size() > 60) {
        state = QStringLiteral("(%1 chars) caret %2").arg(text.size()).arg(edit.cursorPosition());
    } else {
        text.insert(edit.cursorPosition(), QLatin1Char('|'));
        state = QLatin1Char('"') + text + QLatin1Char('"');
    }
    if (edit.hasSelectedText()) {
        state += QStringLiteral(" selection %1+%2")
                     .arg(edit.selectionStart())
                     .arg(edit.selectedText().size());
    }
    return state;
}

} // namespace velmaro::test
