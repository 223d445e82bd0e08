#pragma once
// One slot per kind of modal tool window: a new opening destroys the window still held from
// an earlier one, so every opening starts fresh. The window deletes itself when closed, and
// the QPointer then reads null.
#include <QPointer>

#include "platform/Platform.h"

template <class Form>
int ShowInSlot(QPointer<Form>& slot, QWidget* parent = nullptr) {
    delete slot.data();
    slot = new Form(parent);
    return Sys().modal->ShowModal(*slot);
}
