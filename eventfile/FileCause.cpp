#include "eventfile/FileCause.h"

#include <cerrno>

namespace {

FileCause PathCause(int error)
{
    switch (error) {
    case ENOENT: return FileCause::FileNotFound;
    case ENOTDIR:
    case EISDIR:
    case ENAMETOOLONG:
    case ELOOP: return FileCause::BadPath;
    case EACCES:
    case EPERM:
    case EROFS: return FileCause::AccessDenied;
    default: return FileCause::None;
    }
}

FileCause DeviceCause(int error)
{
    switch (error) {
    case EMFILE:
    case ENFILE: return FileCause::TooManyOpenFiles;
    case EBADF: return FileCause::InvalidFile;
    case ESPIPE: return FileCause::BadSeek;
    case EIO: return FileCause::HardIO;
    case EBUSY:
    case ETXTBSY: return FileCause::SharingViolation;
    case EDEADLK:
    case ENOLCK: return FileCause::LockViolation;
    case ENOSPC: return FileCause::DiskFull;
#ifdef EDQUOT
    case EDQUOT: return FileCause::DiskFull;
#endif
    default: return FileCause::None;
    }
}

} // namespace

FileCause CauseFromErrno(int error)
{
    if (error == 0)
        return FileCause::None;
    if (FileCause cause = PathCause(error); cause != FileCause::None)
        return cause;
    if (FileCause cause = DeviceCause(error); cause != FileCause::None)
        return cause;
    return FileCause::Generic;
}
