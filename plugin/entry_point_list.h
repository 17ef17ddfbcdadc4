#pragma once
// The seven functions that the host calls, exported by the name OmbrelPlugin_ and the event or
// query: the one list that their declarations, the hosts' bindings and the linker files (the
// DLL's .def, the Linux library's version script) are made from. Each entry is
//     X(event, return type, (parameters), bytes of arguments on the stack, ordinal)
// It includes nothing, so that the linker files can be made from it by the preprocessor alone;
// entry_points.h brings the types it names.
#define DOVRINK_ENTRY_POINTS(X)                                                                    \
    X(Init, int, (), 0, 1)                                                                         \
    X(Exit, int, (), 0, 2)                                                                         \
    X(OnUpdateView, void, (), 0, 3)                                                                \
    X(OnActivate, void, (DWORD, DWORD, DWORD), 12, 4)                                              \
    X(OnNewPostmanInstance, void, (DWORD), 4, 5)                                                   \
    X(OnDeletePostmanInstance, void, (DWORD), 4, 6)                                                \
    X(GetPluginVersion, int, (), 0, 7)

// The exported name of an entry point.
#define DOVRINK_ENTRY_POINT(event) OmbrelPlugin_##event
// ... and as a string: the name is made before it is quoted.
#define DOVRINK_ENTRY_POINT_NAME(event) DOVRINK_QUOTED(DOVRINK_ENTRY_POINT(event))
#define DOVRINK_QUOTED(name) DOVRINK_QUOTED_AS_IS(name)
#define DOVRINK_QUOTED_AS_IS(name) #name
