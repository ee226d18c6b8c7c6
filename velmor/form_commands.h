#pragma once
// The dispatcher of the setup form's commands: the one place where the form
// and the station operations meet.

#include "device_link.h"

// Runs the command of control `id` (an operation on the link); any other id
// does nothing. The outcomes are told through the link as they happen.
void velmor_command(device_link& link, int id);
