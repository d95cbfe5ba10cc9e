# Writes the javac argument file: the given sources and every .java file under DIRS.
set(all ${FILES})
foreach(dir ${DIRS})
  file(GLOB_RECURSE found ${dir}/*.java)
  list(APPEND all ${found})
endforeach()
string(REPLACE ";" "\n" lines "${all}")
file(WRITE ${OUT} "${lines}\n")
