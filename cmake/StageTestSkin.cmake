# cmake -DSOURCE=<folder> -DSTAGE=<folder> -P StageTestSkin.cmake
# The test skin: the fixture folder plus two layouts at and just over the
# layout size limit, made here rather than kept in the tree.
file(REMOVE_RECURSE ${STAGE})
file(COPY ${SOURCE}/ DESTINATION ${STAGE})
string(REPEAT "<!---->" 599186 body)  # 7 × 599186 = 4194302 bytes
file(WRITE ${STAGE}/limit.xml "${body}\n\n")
file(WRITE ${STAGE}/over-limit.xml "${body}\n\n\n")
