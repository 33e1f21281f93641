#pragma once

#include "library/library_reader.h"

#include <QString>

#include <atomic>

class QWidget;

namespace ormel {

// Reads a library file into a library of its own on a worker thread while the event loop
// runs. When the reading takes longer than half a second a progress dialog (modal, so that
// nothing else changes meanwhile) shows how far it is and offers Cancel.
class LibraryLoader {
public:
    // Reads `path` into `into` (its TempDir set, its Groups empty). Returns how it went:
    // Stopped when the user cancelled; `into` then holds what was read so far.
    static LibraryReadResult Read(QWidget* parent, TIconLibrary& into, const QString& path);

    // Cancels the reading in progress, if any; a cancel that arrives once the reading has
    // finished still counts, until Read returns.
    static void CancelCurrent();

private:
    static std::atomic<bool>* current_;
};

} // namespace ormel
