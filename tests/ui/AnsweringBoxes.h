// Message boxes for tests: records every box and answers questions from a prepared list.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "MessageBoxes.h"

class AnsweringBoxes : public ui::MessageBoxes {
public:
    struct Shown {
        QString caption;
        QString text;
        bool question = false;
    };

    void inform(QWidget* parent, const QString& caption, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& caption, const QString& text) override;
    // Takes the next answer too; No when none is left (Cancel is not a choice here).
    Answer askYesNo(QWidget* parent, const QString& caption, const QString& text) override;

    QStringList texts() const;
    void clear() { shown.clear(); }

    QList<Shown> shown;
    QList<Answer> answers; // taken in order; Cancel when empty
};
