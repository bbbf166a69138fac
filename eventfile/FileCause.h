#pragma once

// Why a file operation failed, as the numbers that the file messages show ("bombed 2: %d").
// The numbering is part of what the user sees and must not change.
enum class FileCause : int {
    None = 0,
    Generic = 1,
    FileNotFound = 2,
    BadPath = 3,
    TooManyOpenFiles = 4,
    AccessDenied = 5,
    InvalidFile = 6,
    RemoveCurrentDir = 7,
    DirectoryFull = 8,
    BadSeek = 9,
    HardIO = 10,
    SharingViolation = 11,
    LockViolation = 12,
    DiskFull = 13,
    EndOfFile = 14,
};

// Classifies an operating-system error number (errno). 0 gives None; numbers without a
// closer match give Generic.
FileCause CauseFromErrno(int error);

// The number shown in the messages.
inline int CauseNumber(FileCause cause) { return static_cast<int>(cause); }
