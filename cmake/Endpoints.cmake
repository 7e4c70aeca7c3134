# The service's hosts are deployment values of the build: a test build points
# them at servers on 127.0.0.1. resources/Endpoints.h reads them from the header
# generated here.
set(DORVANTA_DIRECTORY_HOST "dir.velk.example" CACHE STRING "Directory server: server lists, banner page")
set(DORVANTA_DIRECTORY_PORT "8000" CACHE STRING "Port of the directory server")
set(DORVANTA_PRODUCT_SITE "www.velk.example" CACHE STRING "Product site")
set(DORVANTA_COMPANY_SITE "www.velknet.example" CACHE STRING "Company site")
set(DORVANTA_OFFICIAL_PORTAL "portal.velk.example" CACHE STRING "Official portal")
set(DORVANTA_G_SITE "g.velk.example" CACHE STRING "G site")
set(DORVANTA_CONTENT_SITE "content.velk.example" CACHE STRING "Content site")

if(NOT DORVANTA_DIRECTORY_PORT MATCHES "^[0-9]+$" OR DORVANTA_DIRECTORY_PORT GREATER 65535)
  message(FATAL_ERROR "DORVANTA_DIRECTORY_PORT must be a port number, not '${DORVANTA_DIRECTORY_PORT}'")
endif()
foreach(host DIRECTORY_HOST PRODUCT_SITE COMPANY_SITE OFFICIAL_PORTAL G_SITE CONTENT_SITE)
  if(NOT DORVANTA_${host} MATCHES "^[A-Za-z0-9.-]+$")
    message(FATAL_ERROR "DORVANTA_${host} must be a host name or address, not '${DORVANTA_${host}}'")
  endif()
endforeach()

configure_file(${CMAKE_CURRENT_LIST_DIR}/DorvantaEndpoints.h.in ${CMAKE_BINARY_DIR}/generated/DorvantaEndpoints.h @ONLY)
