#pragma once
// The dispatcher of the setup form's commands: the one place where the form
// and the station operations meet.

// Runs the command of control `id`; any other id does nothing.
void velmor_command(int id);
