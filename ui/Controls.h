// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Controls below the form's root widget, found by object name. Every page addresses its
// controls this way, often by a composed name ("Img_" + name + "_" + number).
//
// Two lookups:
//  - get<T>(name): the control must exist and be a T. A missing control or one of another
//    class is a programming error: fatal (naming the control) in debug builds, in the test
//    programs (SetStrict) and whenever TARQ_STRICT_CONTROLS is set; otherwise a logged warning
//    and nullptr.
//  - find<T>(name): the control may be missing (a composed name whose number can be out of
//    range, a control of one of two classes); nullptr without a word.

#include <QHash>
#include <QString>
#include <QWidget>

namespace tarq {

class Controls {
public:
    explicit Controls(QWidget* root) : root_(root) {}

    QWidget* Root() const { return root_; }

    template <class T = QWidget>
    T* find(const QString& name) const
    {
        return qobject_cast<T*>(Lookup(name));
    }

    template <class T = QWidget>
    T* get(const QString& name) const
    {
        QWidget* w = Lookup(name);
        T* typed = qobject_cast<T*>(w);
        if (!typed)
            ReportMissing(name, T::staticMetaObject.className(), w);
        return typed;
    }

    // Whether a failed get() ends the program.
    static bool Strict();
    static void SetStrict(bool strict);

private:
    QWidget* Lookup(const QString& name) const;
    void Index() const;
    static void ReportMissing(const QString& name, const char* wanted, const QWidget* found);

    QWidget* root_;
    mutable QHash<QString, QWidget*> index_;
};

} // namespace tarq
