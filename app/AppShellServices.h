// The application's answers to what the card-file model asks of the shell:
// sounds, the text view's editor, the tree, the search window, each through
// the main frame when there is one, nothing without.
#pragma once

// Installs the services for the rest of the run (before any card file
// opens).
void QivInstallAppShellServices();
