#pragma once

class QAbstractItemView;

// Has screen readers told a list's current item each time the list takes the keyboard focus.
// Qt tells the current item it picks on the way in before it tells of the list itself, and Orca 43
// then speaks the list alone ("List with 1 item"): a name list with one name was never heard, the
// arrow keys having nowhere to go.
void TellCurrentItemOnFocus(QAbstractItemView *view);
