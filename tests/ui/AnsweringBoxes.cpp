// Message boxes for tests: records every box and answers questions from a prepared list.
#include "AnsweringBoxes.h"

void AnsweringBoxes::inform(QWidget*, const QString& caption, const QString& text) {
    shown.append({caption, text, false});
}

ui::MessageBoxes::Answer AnsweringBoxes::askYesNoCancel(QWidget*, const QString& caption,
                                                        const QString& text) {
    shown.append({caption, text, true});
    return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
}

ui::MessageBoxes::Answer AnsweringBoxes::askYesNo(QWidget*, const QString& caption,
                                                  const QString& text) {
    shown.append({caption, text, true});
    const Answer answer = answers.isEmpty() ? Answer::No : answers.takeFirst();
    return answer == Answer::Yes ? Answer::Yes : Answer::No;
}

QStringList AnsweringBoxes::texts() const {
    QStringList out;
    for (const Shown& s : shown)
        out << s.text;
    return out;
}
