# Writes the site's service worker, web/page/service-worker.js filled in:
#   cmake -DSITE=FOLDER -DTEMPLATE=FILE -P web/ServiceWorker.cmake
# It lists every file of the site but itself, and names its cache after a
# hash of their names and contents: any change to any file is a new cache,
# and an unchanged site keeps its cache (and its worker) as they are.
file(GLOB_RECURSE files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files "sw.js")
list(SORT files)
set(listing "")
set(entries "")
foreach(file ${files})
    file(SHA256 "${SITE}/${file}" hash)
    string(APPEND listing "${hash}  ${file}\n")
    list(APPEND entries "\"${file}\"")
endforeach()
string(SHA256 site_hash "${listing}")
string(SUBSTRING "${site_hash}" 0 16 SITE_HASH)
list(JOIN entries ", " SITE_FILES)
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
