#pragma once

#include <QList>
#include <QString>

// Every line of one device operation, built before the first is sent: a line the device cannot
// take (too long for the link, or a text field holding the field separator, a control character or
// a character beyond Latin-1) refuses the whole operation instead of leaving the device half-written.
// Progress steps sit between the commands where the operation raises its dialog's value.
class CommandPlan
{
public:
    // What a text field may hold beyond the rules every text keeps.
    enum class TextKind
    {
        Line,
        // Line feeds separate the lines of a pager's welcome message.
        Lines,
        // The unit takes "\f" as the start of the alert code that follows a Dalen button's message.
        DalenButtonMessage,
    };

    struct Entry
    {
        // Empty for a progress step.
        QString command;
        int windowMs = 0;
        // Written after the command's response was collected; empty for none.
        QString trace;
        // What the command sets, as the operator knows it ("Button 3"), for a message about it.
        QString setting;
        // The operator's text inside the command and how the window names it; empty for none.
        QString text;
        QString textName;
        TextKind textKind = TextKind::Line;
    };

    explicit CommandPlan(int totalSteps = 0, int firstProgress = 0);

    void send(const QString& command, int windowMs, const QString& trace, const QString& setting);
    // A command carrying one text field as the operator entered it.
    void sendText(const QString& command, int windowMs, const QString& trace, const QString& setting,
                  const QString& text, const QString& textName, TextKind textKind = TextKind::Line);
    // A progress step; its trace, if any, is written when the step is taken.
    void step(const QString& trace = QString());

    const QList<Entry>& entries() const { return m_entries; }
    QStringList commands() const;
    int totalSteps() const { return m_totalSteps; }
    void setTotalSteps(int steps) { m_totalSteps = steps; }
    int firstProgress() const { return m_firstProgress; }

    // Throws UsbHidException naming the first field that cannot be sent.
    void checkSendable() const;

private:
    QList<Entry> m_entries;
    int m_totalSteps;
    int m_firstProgress;
};
