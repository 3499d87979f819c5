// The CD player's place in the shell: its panel procedure for the "CD Player" tab.
#pragma once

// Registers the CD Player panel with the panel host and its hooks with the shell.
void RegisterCdWithShell();
