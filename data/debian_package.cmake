# SPDX-FileCopyrightText: 2026 Rechenheft contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by cpack on the staged package, before the .deb is made: what Debian
# expects of a package beyond the installed files. The maintainer is read here,
# so `cpack -D CPACK_DEBIAN_PACKAGE_MAINTAINER=...` names them in the changelog too.
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(doc "${root}/share/doc/${CPACK_PACKAGE_NAME}")

file(MAKE_DIRECTORY "${doc}")
file(COPY_FILE "${CPACK_RECHENHEFT_DATA_DIR}/copyright" "${doc}/copyright")
set(RECHENHEFT_MAINTAINER "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
configure_file("${CPACK_RECHENHEFT_DATA_DIR}/changelog.in" "${doc}/changelog" @ONLY)
execute_process(COMMAND gzip -9n "${doc}/changelog" COMMAND_ERROR_IS_FATAL ANY)

# As dh_strip does: the compiler's notes in .comment and .note are of no use
# in a stripped binary.
file(GLOB_RECURSE files LIST_DIRECTORIES false "${root}/bin/*" "${root}/lib/*")
foreach(file IN LISTS files)
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        execute_process(COMMAND strip --remove-section=.comment --remove-section=.note "${file}"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
