#pragma once

#include <QString>
#include <QValidator>

// For the text fields whose content goes to the unit: refuses a comma (the unit's field separator), a
// control character and a character beyond Latin-1, and keeps what it refused last, so that the window
// can say what was not taken and why instead of letting it vanish.
class UnitTextValidator : public QValidator
{
    Q_OBJECT

public:
    explicit UnitTextValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    // The characters of the last refused input that the unit cannot take, with the reason; empty
    // before any refusal.
    QString lastRefusal() const { return m_lastRefusal; }

    // "\"→\" (U+2192), \"€\" (U+20AC): Tavrin cannot take characters beyond Latin-1"; the reasons of
    // several kinds joined by "; ". Empty when the unit takes the whole text.
    static QString refusalText(const QString& text);

private:
    mutable QString m_lastRefusal;
};
