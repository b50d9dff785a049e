// The module instance handle of the library, for resources and window classes.
#pragma once

extern void* moduleInstance;
