#!/bin/sh
# CPack's Debian generator runs `file` under LC_ALL=C to find the executables for
# dpkg-shlibdeps; there `file` writes the program's Chinese file name as octal escapes, which
# dpkg-shlibdeps then cannot open. -r makes it write the name as it is.
exec file -r "$@"
