#pragma once

// Developer outputs: the Java type tables of the report engine and the data
// classes and XML files of every form, slip and note, written into the folders
// of JAVAPROJPATH, XMLPATH and BFORM_XMLPATH. An empty JAVAPROJPATH writes nothing.
void writeTaxFormTypeJava();
void writeSlipDataTypeJava();
void writeNoteDataTypeJava();
