# The build tree's content is an exact image of the sources and the generator: in a scratch
# tree made the way the build makes its own, a stale file is removed by the mirror, the
# content check passes on the fresh image, and once a level's bounding-box file is deleted
# from the sources and a model from the generator's output, the mirror drops both and the
# content check fails, naming them.
#   cmake -DSOURCE=<RESOURCES> -DGENERATED=<generated RESOURCES> -DSCRATCH=<dir>
#         -DCHECK_PROGRAM=<brask_content_check> -DMIRROR=<MirrorContent.cmake> -P MirrorContentTest.cmake
cmake_minimum_required(VERSION 3.25)

# A box file that Bedroom1 names, and a model that a level names.
set(box Files/BoundingBoxes/bed.txt)
set(model Art/Models/bed.ms3d)

function(mirror source generated)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DGENERATED=${generated}
                          -DDESTINATION=${SCRATCH}/image/RESOURCES -P ${MIRROR}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(result)
    message(FATAL_ERROR "the mirror failed: ${out}")
  endif()
  # The image now agrees with both sides, by the mirror's own comparison.
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DGENERATED=${generated}
                          -DDESTINATION=${SCRATCH}/image/RESOURCES -DCHECK=ON -P ${MIRROR}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(result)
    message(FATAL_ERROR "the image differs after mirroring: ${out}")
  endif()
endfunction()

function(content_check expect_pass out_var)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env BRASK_CONTENT_DIR=${SCRATCH}/image
                          ${CHECK_PROGRAM} --gtest_brief=1
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(expect_pass AND result)
    message(FATAL_ERROR "the content check fails on a fresh image:\n${out}")
  elseif(NOT expect_pass AND NOT result)
    message(FATAL_ERROR "the content check passes on an image without ${box} and ${model}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${SCRATCH})
file(COPY ${SOURCE}/ DESTINATION ${SCRATCH}/source)
file(COPY ${GENERATED}/ DESTINATION ${SCRATCH}/generated)
foreach(file ${box} ${model})
  if(NOT EXISTS ${SCRATCH}/source/${file} AND NOT EXISTS ${SCRATCH}/generated/${file})
    message(FATAL_ERROR "${file} is no longer shipped: pick another file for this test")
  endif()
endforeach()

# A file that neither side has, in a folder of its own, as an older build would leave it.
file(WRITE ${SCRATCH}/image/RESOURCES/Files/Stale/old_level.txt "stale\n")
mirror(${SCRATCH}/source ${SCRATCH}/generated)
if(EXISTS ${SCRATCH}/image/RESOURCES/Files/Stale)
  message(FATAL_ERROR "the mirror kept a stale file and its folder")
endif()
content_check(TRUE out)

file(REMOVE ${SCRATCH}/source/${box} ${SCRATCH}/generated/${model})
mirror(${SCRATCH}/source ${SCRATCH}/generated)
foreach(file ${box} ${model})
  if(EXISTS ${SCRATCH}/image/RESOURCES/${file})
    message(FATAL_ERROR "the mirror kept ${file} after it was deleted")
  endif()
endforeach()
content_check(FALSE out)
foreach(file ${box} ${model})
  if(NOT out MATCHES "${file}")
    message(FATAL_ERROR "the failing content check does not name ${file}:\n${out}")
  endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
