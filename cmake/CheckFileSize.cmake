# cmake -DFILE=... -DLIMIT=... -P CheckFileSize.cmake
# Fails when FILE is larger than LIMIT bytes; prints its size either way.
file(SIZE ${FILE} size)
if(size GREATER LIMIT)
  message(FATAL_ERROR "${FILE} is ${size} bytes, over the limit of ${LIMIT}")
endif()
message(STATUS "${FILE}: ${size} of ${LIMIT} bytes")
