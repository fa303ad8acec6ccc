# Writes the site's service worker from its template: the files it keeps, and a version made from
# their contents, so that any change to one of them gives the worker a new cache.
#   cmake -DSITE=DIR -DTEMPLATE=service-worker.js -P WriteServiceWorker.cmake
set(kept index.html translations.js vesk.js vesk.wasm manifest.webmanifest icons/vesk-192.png icons/vesk-512.png
         icons/vesk-maskable-512.png libhangul/COPYING.txt libhangul/SOURCE.txt)
file(SHA256 "${TEMPLATE}" digests)
set(VESK_KEPT_FILES "'./'")
foreach(file ${kept})
  if(NOT EXISTS "${SITE}/${file}")
    message(FATAL_ERROR "${SITE}/${file}: missing, the service worker cannot keep it")
  endif()
  file(SHA256 "${SITE}/${file}" digest)
  string(APPEND digests "${digest}")
  string(APPEND VESK_KEPT_FILES ", '${file}'")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING "${version}" 0 16 VESK_SITE_VERSION)
configure_file("${TEMPLATE}" "${SITE}/service-worker.js" @ONLY)
