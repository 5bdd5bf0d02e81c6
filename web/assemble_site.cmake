# Copies the page's files (PAGE_FILES, may be empty) into SITE_DIR beside the
# built core, and every file beneath the folder PAGES (if given) to the same
# place beneath SITE_DIR (the pages in each language: index.html, en/...),
# then writes the service worker from its template WORKER: the SHA-256 of
# every file beneath SITE_DIR, which the worker checks each download against,
# and a digest of them all as its cache name. Run on a finished site folder
# alone, it stamps the worker anew for what the folder now holds.
#
# The scripts and the style go out without their whole-line comments, which
# are for the page's developers (a fifth of the files' weight gzipped): a
# line of a script whose first characters are //, and every /* */ in the
# style. A comment after code on its line stays.
function(strip_comments text extension result)
    if(extension STREQUAL ".js")
        string(REGEX REPLACE "\n[ \t]*//[^\n]*" "" text "\n${text}")
        string(REGEX REPLACE "^\n" "" text "${text}")
    elseif(extension STREQUAL ".css")
        string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/\n?" "" text "${text}")
    endif()
    set(${result} "${text}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${SITE_DIR})
foreach(source IN LISTS PAGE_FILES)
    get_filename_component(name ${source} NAME)
    get_filename_component(extension ${source} LAST_EXT)
    if(extension MATCHES "^\\.(js|css)$")
        file(READ ${source} text)
        strip_comments("${text}" ${extension} text)
        file(WRITE ${SITE_DIR}/${name} "${text}")
    else()
        file(COPY_FILE ${source} ${SITE_DIR}/${name} ONLY_IF_DIFFERENT)
    endif()
endforeach()
if(PAGES)
    file(GLOB_RECURSE pages RELATIVE ${PAGES} ${PAGES}/*)
    foreach(name IN LISTS pages)
        get_filename_component(folder ${SITE_DIR}/${name} DIRECTORY)
        file(MAKE_DIRECTORY ${folder})
        file(COPY_FILE ${PAGES}/${name} ${SITE_DIR}/${name} ONLY_IF_DIFFERENT)
    endforeach()
endif()
file(GLOB_RECURSE site_files RELATIVE ${SITE_DIR} ${SITE_DIR}/*)
list(REMOVE_ITEM site_files sw.js)
list(SORT site_files)
set(digests "")
set(entries "")
foreach(name IN LISTS site_files)
    file(SHA256 ${SITE_DIR}/${name} digest)
    string(APPEND digests "${name}:${digest}\n")
    list(APPEND entries "\"./${name}\": \"${digest}\"")
    # A folder's address itself is its index page.
    if(name MATCHES "^(.*/)?index\\.html$")
        list(APPEND entries "\"./${CMAKE_MATCH_1}\": \"${digest}\"")
    endif()
endforeach()
file(SHA256 ${WORKER} worker_digest)
string(SHA256 version "${digests}${worker_digest}")
string(SUBSTRING ${version} 0 16 version)
list(JOIN entries ",\n  " entries)
file(READ ${WORKER} worker)
strip_comments("${worker}" .js worker)
string(REPLACE "@CACHE_VERSION@" "${version}" worker "${worker}")
string(REPLACE "@FILE_DIGESTS@" "\n  ${entries},\n" worker "${worker}")
file(WRITE ${SITE_DIR}/sw.js "${worker}")
