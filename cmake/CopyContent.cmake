# Copies the content tree a program reads (not its picture sources or
# generator scripts) into the application folder.
file(COPY ${SOURCE}/ DESTINATION ${DESTINATION}
  PATTERN "src" EXCLUDE
  PATTERN "*.sh" EXCLUDE)
