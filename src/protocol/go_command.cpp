#include "protocol/go_command.h"

void GoCommand(Position&) {}
