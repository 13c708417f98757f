// File dialogs for tests: records every dialog and answers from a prepared list of paths.
#include "AnsweringDialogs.h"

QString AnsweringDialogs::openFileName(QWidget*, const Request& request) {
    shown.append({false, request});
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

QString AnsweringDialogs::saveFileName(QWidget*, const Request& request) {
    shown.append({true, request});
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

QStringList AnsweringDialogs::titles() const {
    QStringList out;
    for (const Shown& s : shown)
        out << s.request.title;
    return out;
}
