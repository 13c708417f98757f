// File dialogs for tests: records every dialog and answers from a prepared list of paths.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "FileDialogs.h"

class AnsweringDialogs : public ui::FileDialogs {
public:
    struct Shown {
        bool save = false;
        Request request;
    };

    QString openFileName(QWidget* parent, const Request& request) override;
    QString saveFileName(QWidget* parent, const Request& request) override;

    QStringList titles() const;

    QList<Shown> shown;
    QStringList answers; // taken in order; "" (cancel) when empty
};
