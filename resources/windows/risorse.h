// Resource IDs shared by the .rc and the program.
#pragma once

#define IDI_VARNELO 1
