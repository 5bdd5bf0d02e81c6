#pragma once

// What a user can do to the text of a single-line field: type a character,
// press an editing or caret key, paste, cut, or select. Each action is applied
// the same way to a field in a window and to a free-standing reference field,
// so the reference shows what the user would expect to see.

#include <QLineEdit>
#include <QString>

#include <cstdint>
#include <random>

namespace velmaro::test {

// Deterministic random choices: the same seed gives the same run on every
// platform (the engine is fully specified; no library distribution is used).
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : m_engine(seed) {}

    // Uniform in [0, n); n > 0.
    int Below(int n) { return static_cast<int>(m_engine() % static_cast<std::uint64_t>(n)); }
    // True in `percent` cases out of a hundred.
    bool Chance(int percent) { return Below(100) < percent; }
    template <class T, std::size_t N> const T& Pick(const T (&items)[N]) {
        return items[Below(static_cast<int>(N))];
    }

private:
    std::mt19937_64 m_engine;
};

struct EditAction {
    enum class Kind {
        TypeText,     // a printable key (text holds the character)
        Key,          // an editing or caret key, possibly with Shift or Ctrl
        Paste,        // clipboard set to `text`, then paste (menu or Ctrl+V)
        Insert,       // QLineEdit::insert(text), as an input method commits text
        Cut,          // cut the selection (menu or Ctrl+X)
        SetSelection, // select `length` characters from `start` (negative: backwards)
    };

    Kind kind = Kind::TypeText;
    QString text;
    int key = 0; // Qt::Key
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    bool viaKeyboard = false; // Paste and Cut: the shortcut instead of the slot
    int start = 0;
    int length = 0;

    void ApplyTo(QLineEdit& edit) const;
    QString Describe() const;
};

// A random action for a field that now shows `current`. Long texts make
// deletions likelier, so most texts stay short enough to read as numbers;
// now and then a very long text is pasted on purpose.
EditAction RandomEditAction(RandomSource& random, const QString& current);

// Gives `reference` the text, caret and selection (with its direction) of `edit`.
void CopyEditState(const QLineEdit& edit, QLineEdit& reference);

// "text|caret|selection" for messages.
QString DescribeEditState(const QLineEdit& edit);

} // namespace velmaro::test
