# Read by cpack before it stages the Windows packages: strip writes
# SOURCE_DATE_EPOCH, when it is set, as the exe's PE time stamp.
set(ENV{SOURCE_DATE_EPOCH} ${CPACK_VARNELO_SOURCE_DATE_EPOCH})
