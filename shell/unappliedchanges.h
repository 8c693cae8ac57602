#pragma once

// A frame that holds what the user typed but did not apply yet. Before the main window takes the frame away,
// switches the language or closes, it asks the frame to settle them: the frame asks the user once whether
// to apply them, discard them or stay. Nothing typed is dropped unasked.
class UnappliedChanges
{
public:
    virtual ~UnappliedChanges() = default;

    // True when the frame may go (the changes were applied, discarded or there were none); false when
    // the user chose to stay.
    virtual bool settleChanges() = 0;
};
