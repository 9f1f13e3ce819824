// The one place where POSIX error codes become the file layer's kinds of error.

#include "CFileException.h"

#include <cerrno>
#include <cstring>

CFileException::Cause CFileException::OsErrorToCause(int osError)
{
    switch (osError) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case ENXIO:
    case ENODEV: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return accessDenied;
    case EBADF: return invalidFile;
    case ESPIPE:
    case EOVERFLOW: return badSeek;
    case EIO: return hardIO;
    case EWOULDBLOCK:
    case ETXTBSY:
    case EBUSY: return sharingViolation;
    case ENOLCK:
    case EDEADLK: return lockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return diskFull;
    default: return genericException;
    }
}

std::string CFileException::OsErrorText(int osError)
{
    // strerror's text is the C library's own; a code it does not know comes back numbered.
    return std::strerror(osError);
}
