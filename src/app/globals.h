// The objects of the process that the entry creates and every part of the host reaches: the
// application object and the credit strings. Both are null before the entry creates them.
#pragma once

class CKalyx;
class CCrypt;

// The entry deletes it when the main window goes; the dialogs borrow it while they are open.
extern CKalyx* lpKalyx;
// Built once at start-up in both run modes; the About box reads it.
extern CCrypt* lpCrypt;
